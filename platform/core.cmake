# Sources added by the core services.
