# Empty custom commands generated dependencies file for test_support_autogen.
# This may be replaced when dependencies are built.
