# Empty custom commands generated dependencies file for miranosu_qt_autogen.
# This may be replaced when dependencies are built.
