#include "gob/gob.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace kyvo {

namespace {

const std::size_t kHeaderSize = 12;
const std::size_t kEntrySize = 4 + 4 + kGobNameSize;

std::uint32_t Get32(const std::string& bytes, std::uint64_t at) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void Put32(std::string& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; i++)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool Refuse(std::string& error, const std::string& text) {
    error = text;
    return false;
}

std::string Lower(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// The last part of a path, whichever separator the host uses.
std::string BaseName(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

bool ParseGob(const std::string& bytes, GobArchive& archive, std::string& error) {
    archive.entries.clear();
    GobArchive read;
    std::uint64_t size = bytes.size();
    if (size < kHeaderSize || bytes.compare(0, 4, "GOB ") != 0)
        return Refuse(error, "not a GOB container");
    if (Get32(bytes, 4) != kGobVersion)
        return Refuse(error, "a GOB container of an unknown version (" + std::to_string(Get32(bytes, 4)) + ", not 20)");
    std::uint64_t directory = Get32(bytes, 8);
    if (directory + 4 > size)
        return Refuse(error, "damaged: it ends before its list of entries");
    std::uint64_t count = Get32(bytes, directory);
    if (count * kEntrySize > size - directory - 4)
        return Refuse(error, "damaged: it ends before its last entry (it lists " + std::to_string(count) + ")");
    for (std::uint64_t i = 0; i < count; i++) {
        std::uint64_t at = directory + 4 + i * kEntrySize;
        std::uint64_t offset = Get32(bytes, at);
        std::uint64_t length = Get32(bytes, at + 4);
        const char* name = bytes.data() + at + 8;
        std::size_t nameLength = strnlen(name, kGobNameSize);
        if (nameLength == kGobNameSize)
            return Refuse(error, "damaged: the name of entry " + std::to_string(i + 1) + " runs on past its 128 bytes");
        if (offset + length > size)
            return Refuse(error, "damaged: it ends before the end of entry " + std::string(name, nameLength));
        read.entries.push_back({std::string(name, nameLength), bytes.substr(offset, length)});
    }
    archive = std::move(read);
    return true;
}

bool ReadGob(const std::string& path, GobArchive& archive, std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error))
        return false;
    if (!ParseGob(bytes, archive, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

namespace {

// The header and the directory: everything before the first entry's data.
bool GobFront(const GobArchive& archive, std::string& bytes, std::string& error) {
    std::uint64_t total = kHeaderSize + 4 + archive.entries.size() * kEntrySize;
    for (const GobEntry& entry : archive.entries)
        total += entry.data.size();
    if (total > 0xFFFFFFFFu)
        return Refuse(error, "the files are too large for a GOB container (4 GiB at most)");
    bytes.clear();
    bytes += "GOB ";
    Put32(bytes, kGobVersion);
    Put32(bytes, kHeaderSize);
    Put32(bytes, static_cast<std::uint32_t>(archive.entries.size()));
    std::uint64_t offset = kHeaderSize + 4 + archive.entries.size() * kEntrySize;
    for (const GobEntry& entry : archive.entries) {
        Put32(bytes, static_cast<std::uint32_t>(offset));
        Put32(bytes, static_cast<std::uint32_t>(entry.data.size()));
        std::string name = entry.name;
        name.resize(kGobNameSize, '\0');
        bytes += name;
        offset += entry.data.size();
    }
    return true;
}

bool WriteAll(std::FILE* file, const std::string& bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

} // namespace

bool SerializeGob(const GobArchive& archive, std::string& bytes, std::string& error) {
    if (!GobFront(archive, bytes, error))
        return false;
    for (const GobEntry& entry : archive.entries)
        bytes += entry.data;
    return true;
}

SaveResult SaveGob(const std::string& path, const GobArchive& archive, SaveMode mode, std::string& error) {
    std::string front;
    if (!GobFront(archive, front, error)) {
        error = path + ": " + error;
        return SaveResult::Failed;
    }
    return SaveFile(
        path, mode,
        [&](std::FILE* file) {
            if (!WriteAll(file, front))
                return false;
            for (const GobEntry& entry : archive.entries)
                if (!WriteAll(file, entry.data))
                    return false;
            return true;
        },
        error);
}

bool WriteGob(const std::string& path, const GobArchive& archive, std::string& error) {
    return SaveGob(path, archive, SaveMode::Replace, error) == SaveResult::Saved;
}

std::string GobFolderFor(const std::string& fileName) {
    std::size_t dot = fileName.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : Lower(fileName.substr(dot));
    if (extension == ".cog")
        return "cog\\";
    if (extension == ".dat")
        return "misc\\";
    if (extension == ".uni")
        return "ui\\";
    return "";
}

bool AddGobEntry(GobArchive& archive, const std::string& name, const std::string& data, std::string& error) {
    if (name.empty() || name.size() >= kGobNameSize || name.find('\0') != std::string::npos)
        return Refuse(error, "the name " + name + " does not fit a container entry (1 to 127 bytes)");
    for (const GobEntry& entry : archive.entries)
        if (Lower(entry.name) == Lower(name))
            return Refuse(error, "two entries are named " + entry.name + " and " + name +
                                     ", which a container does not tell apart");
    archive.entries.push_back({name, data});
    return true;
}

std::string FirstDifference(const GobArchive& expected, const GobArchive& actual) {
    std::size_t count = std::min(expected.entries.size(), actual.entries.size());
    for (std::size_t k = 0; k < count; k++) {
        const GobEntry& want = expected.entries[k];
        const GobEntry& got = actual.entries[k];
        if (want.name != got.name)
            return "entry " + std::to_string(k + 1) + " is " + got.name + " where " + want.name + " belongs";
        if (want.data != got.data) {
            std::size_t at = 0;
            while (at < want.data.size() && at < got.data.size() && want.data[at] == got.data[at])
                at++;
            return "entry " + want.name + " differs from byte " + std::to_string(at) + " on (" +
                   std::to_string(got.data.size()) + " bytes, " + std::to_string(want.data.size()) + " expected)";
        }
    }
    if (actual.entries.size() < expected.entries.size())
        return "entry " + expected.entries[count].name + " is missing";
    if (actual.entries.size() > expected.entries.size())
        return "entry " + actual.entries[count].name + " is extra";
    return "";
}

bool AddGobFile(GobArchive& archive, const std::string& path, std::string& error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, error))
        return false;
    std::string name = BaseName(path);
    return AddGobEntry(archive, GobFolderFor(name) + name, bytes, error);
}

} // namespace kyvo
