# CMAKE generated file: DO NOT EDIT!
# Timestamp file for custom commands dependencies management for unit_tests_autogen.
