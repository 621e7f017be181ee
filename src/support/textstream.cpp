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
    myOpen = true;
    myBuffer = new char[kTextBufferSize];
}

void StreamBase::ReleaseFile() {
    if (myFile)
        delete[] myBuffer;
    myBuffer = nullptr;
    myFile = nullptr;
    myOpen = false;
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

void ifstream::OpenMemory(const char* data, std::size_t size) {
    if (is_open()) {
        setstate(failbit);
        return;
    }
    myPutbackCount = 0;
    myLine = 1;
    myState = goodbit;
    // Never written through: a memory reader only reads its bytes.
    myBuffer = const_cast<char*>(data);
    myPos = 0;
    myEnd = size;
    myOpen = true;
}

void ifstream::CloseFile() {
    if (!myOpen)
        return;
    if (myFile)
        std::fclose(myFile);
    ReleaseFile();
}

void ifstream::close() {
    if (!myOpen) {
        setstate(failbit);
        return;
    }
    CloseFile();
}

// The next byte without taking it, or -1 at the end. A read error counts as
// the end of the file.
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

std::size_t ifstream::LineRun(const char*& begin) {
    if (!good() || myPutbackCount > 0)
        return 0;
    begin = myBuffer + myPos;
    std::size_t left = myEnd - myPos;
    const void* lf = std::memchr(begin, '\n', left);
    std::size_t count = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : left;
    const void* cr = std::memchr(begin, '\r', count);
    return cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - begin) : count;
}

std::size_t ifstream::WordRun(const char*& begin) {
    if (!good() || myPutbackCount > 0)
        return 0;
    begin = myBuffer + myPos;
    std::size_t count = 0;
    for (std::size_t left = myEnd - myPos; count < left; count++)
        if (IsTextSpace(begin[count]))
            break;
    return count;
}

void ifstream::Skip(std::size_t count) {
    if (myTape)
        myTape->append(myBuffer + myPos, count);
    myPos += count;
}

// ---- writing ---------------------------------------------------------------

void ofstream::open(const char* path) {
    if (is_open()) {
        setstate(failbit);
        return;
    }
    if (myMemory) {
        (void)path;
        myMemory->clear();
        myState = goodbit;
        myOpen = true;
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
    if (!myOpen)
        return;
    if (myFile) {
        flush();
        if (std::fclose(myFile) != 0)
            setstate(badbit);
    }
    ReleaseFile();
}

void ofstream::close() {
    if (!myOpen) {
        setstate(failbit);
        return;
    }
    CloseFile();
}

void ofstream::PutRaw(const char* bytes, std::size_t count) {
    if (myMemory) {
        myMemory->append(bytes, count);
        return;
    }
    while (count > 0) {
        if (myEnd == kTextBufferSize)
            flush();
        std::size_t room = kTextBufferSize - myEnd;
        std::size_t take = count < room ? count : room;
        std::memcpy(myBuffer + myEnd, bytes, take);
        myEnd += take;
        bytes += take;
        count -= take;
    }
}

ofstream& ofstream::put(char ch) {
    if (!myOpen || fail())
        return *this;
    if (ch == '\n')
        PutRaw("\r\n", 2);
    else
        PutRaw(&ch, 1);
    return *this;
}

ofstream& ofstream::write(const char* text, std::size_t count) {
    if (!myOpen || fail())
        return *this;
    while (count > 0) {
        const char* lf = static_cast<const char*>(std::memchr(text, '\n', count));
        std::size_t plain = lf ? static_cast<std::size_t>(lf - text) : count;
        PutRaw(text, plain);
        if (lf) {
            PutRaw("\r\n", 2);
            plain++;
        }
        text += plain;
        count -= plain;
    }
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
