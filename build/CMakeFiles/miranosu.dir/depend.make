# Empty dependencies file for miranosu.
# This may be replaced when dependencies are built.
