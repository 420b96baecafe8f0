// Texts that the screens and the report pages show alike.
#pragma once

// The dash of a value that does not exist: a spacing that nothing asks for, a stress that
// a location has no check of, or one that a refused row cannot have.
inline constexpr const char* kNoValue = "――";
