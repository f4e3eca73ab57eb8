# Placeholder until the command line lands.
