# Empty compiler generated dependencies file for miranosu_qt.
# This may be replaced when dependencies are built.
