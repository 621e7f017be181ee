#include "support/textstream.h"

#include <sys/stat.h>

#include <cstring>

namespace kyvo {

void StreamBase::OpenFile(const char* path, const char* mode) {
    myState = goodbit;
    myPos = myEnd = 0;
    std::FILE* file = std::fopen(path, mode);
    struct stat info;
    // A directory opens for reading on some hosts; it is never a text file.
    if (file && (fstat(fileno(file), &info) != 0 || (info.st_mode & S_IFMT) == S_IFDIR)) {
        std::fclose(file);
        file = nullptr;
    }
    if (!file) {
        myState = failbit;
        return;
    }
    std::setvbuf(file, nullptr, _IONBF, 0); // the stream buffers on its own
    myFile = file;
    myBuffer = new char[kTextBufferSize];
}

void StreamBase::ReleaseFile() {
    delete[] myBuffer;
    myBuffer = nullptr;
    myFile = nullptr;
    myPos = myEnd = 0;
}

// ---- reading ---------------------------------------------------------------

void ifstream::open(const char* path) {
    if (is_open()) {
        setstate(failbit);
        return;
    }
    myPutbackCount = 0;
    myLine = 1;
    OpenFile(path, "rb");
}

void ifstream::CloseFile() {
    if (!myFile)
        return;
    std::fclose(myFile);
    ReleaseFile();
}

void ifstream::close() {
    if (!myFile) {
        setstate(failbit);
        return;
    }
    CloseFile();
}

// The next byte on disk without taking it, or -1 at the end. A read error
// counts as the end of the file.
int ifstream::PeekByte() {
    if (myPos == myEnd) {
        if (!myFile)
            return -1;
        myPos = 0;
        myEnd = std::fread(myBuffer, 1, kTextBufferSize, myFile);
        if (myEnd == 0)
            return -1;
    }
    return static_cast<unsigned char>(myBuffer[myPos]);
}

ifstream& ifstream::get(char& ch) {
    if (!good()) {
        setstate(failbit);
        return *this;
    }
    if (myPutbackCount > 0) {
        ch = myPutback[--myPutbackCount];
    } else {
        int byte = PeekByte();
        if (byte < 0) {
            setstate(eofbit | failbit);
            return *this;
        }
        myPos++;
        if (byte == '\r' && PeekByte() == '\n') {
            myPos++;
            byte = '\n';
        }
        ch = static_cast<char>(byte);
    }
    if (ch == '\n')
        myLine++;
    if (myTape)
        myTape->push_back(ch);
    return *this;
}

ifstream& ifstream::putback(char ch) {
    if (!good() || myPutbackCount == static_cast<int>(sizeof myPutback)) {
        setstate(failbit);
        return *this;
    }
    myPutback[myPutbackCount++] = ch;
    if (ch == '\n')
        myLine--;
    if (myTape && !myTape->empty())
        myTape->pop_back();
    return *this;
}

ifstream& ifstream::operator>>(char& ch) {
    char next = 0;
    while (get(next)) {
        if (!IsTextSpace(next)) {
            ch = next;
            break;
        }
    }
    return *this;
}

// ---- writing ---------------------------------------------------------------

void ofstream::open(const char* path) {
    if (is_open()) {
        setstate(failbit);
        return;
    }
    OpenFile(path, "wb");
}

void ofstream::flush() {
    if (!myFile || myEnd == 0)
        return;
    if (std::fwrite(myBuffer, 1, myEnd, myFile) != myEnd || std::fflush(myFile) != 0)
        setstate(badbit);
    myEnd = 0;
}

void ofstream::CloseFile() {
    if (!myFile)
        return;
    flush();
    if (std::fclose(myFile) != 0)
        setstate(badbit);
    ReleaseFile();
}

void ofstream::close() {
    if (!myFile) {
        setstate(failbit);
        return;
    }
    CloseFile();
}

ofstream& ofstream::put(char ch) {
    if (!myFile || fail())
        return *this;
    // Room for a CR LF pair.
    if (myEnd + 2 > kTextBufferSize)
        flush();
    if (ch == '\n')
        myBuffer[myEnd++] = '\r';
    myBuffer[myEnd++] = ch;
    return *this;
}

ofstream& ofstream::write(const char* text, std::size_t count) {
    for (std::size_t i = 0; i < count; i++)
        put(text[i]);
    return *this;
}

ofstream& ofstream::operator<<(const char* text) { return write(text, std::strlen(text)); }

ofstream& ofstream::operator<<(char ch) { return put(ch); }

ofstream& ofstream::operator<<(int number) {
    char digits[16];
    int count = 0;
    // Work in the negative range so that the smallest int needs no special case.
    int rest = number < 0 ? number : -number;
    do {
        digits[count++] = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (number < 0)
        put('-');
    while (count > 0)
        put(digits[--count]);
    return *this;
}

ofstream& endl(ofstream& os) {
    os.put('\n');
    os.flush();
    return os;
}

} // namespace kyvo
