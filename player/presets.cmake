# The preset file library.
