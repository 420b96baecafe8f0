# Empty dependencies file for miranosu_core.
# This may be replaced when dependencies are built.
