# Empty custom commands generated dependencies file for unit_tests_autogen.
# This may be replaced when dependencies are built.
