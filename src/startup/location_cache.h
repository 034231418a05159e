#pragma once
// The location cache: the game maps folder of an earlier run, so that the
// next start need not search the drives.

#include <string>

namespace tessary {

class Application;
class Files;
class TextFiles;

inline constexpr const char* kLocationCacheName = "maplog.txt";

class LocationCache {
public:
    LocationCache(Application& application, TextFiles& textFiles, Files& files);

    // The cache in use: beside the program, or in the user's cache folder
    // when the program's folder is no place for it.
    std::string Path() const;
    // The folder the cache names, "" for none. Tries the cache in use first,
    // then one beside the program (never beside a program installed for
    // every user).
    std::string Read();
    // Keeps the folder for the next start; failures are ignored.
    void Write(const std::string& folder);
    // Deletes the cache in use and the one that was read; one that cannot be
    // deleted is passed over by the next start.
    void Delete();

private:
    // Writes the cache in use, making the user's cache folder if needed;
    // failures are ignored.
    void WriteFile(const std::string& text);

    Application& application_;
    TextFiles& textFiles_;
    Files& files_;
    // The cache file Read read, "" when it read none.
    std::string read_;
};

}  // namespace tessary
