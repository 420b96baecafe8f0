# Empty custom commands generated dependencies file for miranosu_autogen.
# This may be replaced when dependencies are built.
