#pragma once
// A run-time failure: any platform operation may raise one. It carries a
// number and a description; the handler that runs decides what to do with it.

#include <stdexcept>
#include <string>

namespace tessary {

// The one failure number the program tests: a path that does not exist.
inline constexpr int kPathNotFound = 76;

class RuntimeFailure : public std::runtime_error {
public:
    RuntimeFailure(int number, const std::string& description)
        : std::runtime_error(description), number_(number), description_(description) {}

    int Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

private:
    int number_;
    std::string description_;
};

// Failure numbers the platform raises besides kPathNotFound. Callers only
// ever test kPathNotFound; the rest exist to make messages meaningful.
inline constexpr int kFileNotFound = 53;
inline constexpr int kPermissionDenied = 70;
// Another program changed a file while it was being copied or moved.
inline constexpr int kChangedMeanwhile = 1001;
// Another program holds the file open and does not share it.
inline constexpr int kFileInUse = 55;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kDiskFull = 61;
inline constexpr int kFileAlreadyExists = 58;
inline constexpr int kInvalidPicture = 481;
inline constexpr int kDeviceIOError = 57;
inline constexpr int kOverflow = 6;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kInvalidProcedureCall = 5;

}  // namespace tessary
