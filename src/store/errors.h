#pragma once
// Errors that end a command. The text is what the user sees (Chinese where it comes from us).
#include <stdexcept>
#include <string>

namespace palvor {

// A refusal or failure with a message meant for the user.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace palvor

namespace store {

// A failure of the database layer (locked, damaged, constraint, missing table).
class DbError : public palvor::Error {
public:
    explicit DbError(const std::string& message) : palvor::Error(message) {}
};

}  // namespace store
