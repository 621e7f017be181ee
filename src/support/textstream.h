// The text files of the system: CR LF on disk and LF in memory on every host.
// The host's own text mode is not used: it differs between hosts, and the
// Windows C runtime ends a file at the byte 0x1A.
//
// A stream can also stand over memory instead of a file: the bytes in memory
// are the bytes a file would hold (CR LF line ends), and every rule is the
// same. The command line generates in memory; the window writes files the
// Container Manager reads.
#ifndef KYVO_SUPPORT_TEXTSTREAM_H
#define KYVO_SUPPORT_TEXTSTREAM_H

#include <cstddef>
#include <cstdio>
#include <string>

namespace kyvo {

enum StreamState { goodbit = 0, eofbit = 1, failbit = 2, badbit = 4 };

// The bytes 09 to 0D and 20; nothing from 0x80 up.
inline bool IsTextSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

// Bytes moved between the host and a stream at a time. A CR LF pair may fall
// on either side of a refill.
const std::size_t kTextBufferSize = 65536;

class StreamBase {
public:
    bool good() const { return myState == goodbit; }
    bool eof() const { return (myState & eofbit) != 0; }
    bool fail() const { return (myState & (failbit | badbit)) != 0; }
    bool bad() const { return (myState & badbit) != 0; }
    explicit operator bool() const { return !fail(); }
    bool operator!() const { return fail(); }
    int rdstate() const { return myState; }
    void clear(int state = goodbit) { myState = state; }
    void setstate(int state) { myState |= state; }
    bool is_open() const { return myOpen; }

protected:
    StreamBase() = default;
    ~StreamBase() = default;
    StreamBase(const StreamBase&) = delete;
    StreamBase& operator=(const StreamBase&) = delete;

    // Opens path with the C library mode; on failure the stream is not open,
    // failed and not at end of file.
    void OpenFile(const char* path, const char* mode);
    void ReleaseFile();

    std::FILE* myFile = nullptr;
    bool myOpen = false;
    int myState = goodbit;
    // A file stream's own kTextBufferSize bytes; a memory reader's bytes.
    char* myBuffer = nullptr;
    std::size_t myPos = 0;
    std::size_t myEnd = 0;
};

class ifstream : public StreamBase {
public:
    ifstream() = default;
    explicit ifstream(const char* path) { open(path); }
    ~ifstream() { CloseFile(); }

    void open(const char* path);
    // Reads size bytes at data, which must outlive the stream, as if they
    // were a file's.
    void OpenMemory(const char* data, std::size_t size);
    void OpenMemory(const std::string& bytes) { OpenMemory(bytes.data(), bytes.size()); }
    void close();

    // Any character, white space included.
    ifstream& get(char& ch);
    // Makes ch the next character to be read.
    ifstream& putback(char ch);
    // Skips white space, then takes one character.
    ifstream& operator>>(char& ch);

    // The number of the line the next character belongs to, from 1.
    int line() const { return myLine; }
    // From now on every character delivered is appended to tape, and taken
    // off again when it is put back; nullptr stops the recording.
    void record(std::string* tape) { myTape = tape; }

    // The characters that can be taken in one piece: those ready in the
    // buffer before the next line end, CR or (for a word) white space. None
    // while a character is put back or the stream is not good. Skip takes
    // count of them, as that many get calls would.
    std::size_t LineRun(const char*& begin);
    std::size_t WordRun(const char*& begin);
    void Skip(std::size_t count);

private:
    int PeekByte();
    void CloseFile();

    char myPutback[8];
    int myPutbackCount = 0;
    int myLine = 1;
    std::string* myTape = nullptr;
};

class ofstream : public StreamBase {
public:
    ofstream() = default;
    explicit ofstream(const char* path) { open(path); }
    ~ofstream() { CloseFile(); }

    // Creates the file, or cuts an existing one to length 0.
    void open(const char* path);
    void close();
    void flush();

    // From now on open writes into memory instead of a file: it empties
    // memory, and path only names the text. Memory must outlive the stream.
    void UseMemory(std::string* memory) { myMemory = memory; }
    bool in_memory() const { return myMemory != nullptr; }
    // Writes into memory from now on, as a file's bytes would be written.
    void OpenMemory(std::string* memory) {
        UseMemory(memory);
        open("");
    }

    ofstream& put(char ch);
    ofstream& write(const char* text, std::size_t count);
    ofstream& operator<<(const char* text);
    ofstream& operator<<(char ch);
    ofstream& operator<<(int number);
    ofstream& operator<<(ofstream& (*manipulator)(ofstream&)) { return manipulator(*this); }

private:
    void CloseFile();
    // Bytes as they go to disk: no translation here.
    void PutRaw(const char* bytes, std::size_t count);

    std::string* myMemory = nullptr;
};

// Ends the line and flushes, so the line reaches the file at once.
ofstream& endl(ofstream& os);

} // namespace kyvo

#endif
