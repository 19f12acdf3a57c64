# Sources added by the device services.
