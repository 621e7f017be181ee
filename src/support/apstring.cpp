#include "support/apstring.h"

#include <cstring>

#include "support/precondition.h"
#include "support/textstream.h"

namespace kyvo {

apstring::apstring() : myLength(0), myCapacity(1), myCstring(new char[1]) {
    myCstring[0] = '\0';
}

apstring::apstring(const char* s) {
    KYVO_PRECONDITION(s != 0);
    myLength = static_cast<int>(std::strlen(s));
    myCapacity = myLength + 1;
    myCstring = new char[myCapacity];
    std::memcpy(myCstring, s, myCapacity);
}

apstring::apstring(const apstring& str)
    : myLength(str.myLength), myCapacity(str.myLength + 1), myCstring(new char[str.myLength + 1]) {
    std::memcpy(myCstring, str.myCstring, myCapacity);
}

apstring::~apstring() { delete[] myCstring; }

// The buffer is kept whenever the new text fits, and replaced by an exact fit
// otherwise.
void apstring::AssignText(const char* s, int length) {
    if (myCapacity < length + 1) {
        delete[] myCstring;
        myCapacity = length + 1;
        myCstring = new char[myCapacity];
    }
    myLength = length;
    std::memcpy(myCstring, s, length);
    myCstring[length] = '\0';
}

const apstring& apstring::operator=(const apstring& rhs) {
    if (this != &rhs)
        AssignText(rhs.myCstring, rhs.myLength);
    return *this;
}

const apstring& apstring::operator=(const char* s) {
    KYVO_PRECONDITION(s != 0);
    AssignText(s, static_cast<int>(std::strlen(s)));
    return *this;
}

const apstring& apstring::operator=(char ch) {
    if (myCapacity < 2) {
        delete[] myCstring;
        myCapacity = 2;
        myCstring = new char[myCapacity];
    }
    myLength = 1;
    myCstring[0] = ch;
    myCstring[1] = '\0';
    return *this;
}

const apstring& apstring::operator+=(const apstring& str) {
    apstring copy(str); // appending a string to itself must still work
    int newLength = myLength + copy.myLength;
    int lastLocation = myLength;
    if (newLength >= myCapacity) {
        myCapacity = newLength + 1;
        if (copy.myLength == 1)
            myCapacity *= 2;
        char* newBuffer = new char[myCapacity];
        std::memcpy(newBuffer, myCstring, myLength + 1);
        delete[] myCstring;
        myCstring = newBuffer;
    }
    std::memcpy(myCstring + lastLocation, copy.myCstring, copy.myLength + 1);
    myLength = newLength;
    return *this;
}

const apstring& apstring::operator+=(char ch) {
    // As appending a one-character string: the capacity doubles past the
    // new length, without a temporary string per character.
    int newLength = myLength + 1;
    if (newLength >= myCapacity)
        Reserve((newLength + 1) * 2);
    myCstring[myLength] = ch;
    myCstring[newLength] = '\0';
    myLength = newLength;
    return *this;
}

void apstring::Append(const char* s, int count) {
    int newLength = myLength + count;
    if (newLength >= myCapacity)
        Reserve(newLength + 1 > 2 * myCapacity ? newLength + 1 : 2 * myCapacity);
    std::memcpy(myCstring + myLength, s, count);
    myLength = newLength;
    myCstring[myLength] = '\0';
}

void apstring::Reserve(int capacity) {
    char* newBuffer = new char[capacity];
    std::memcpy(newBuffer, myCstring, myLength + 1);
    delete[] myCstring;
    myCstring = newBuffer;
    myCapacity = capacity;
}

bool operator==(const apstring& lhs, const apstring& rhs) {
    return std::strcmp(lhs.c_str(), rhs.c_str()) == 0;
}

bool operator!=(const apstring& lhs, const apstring& rhs) { return !(lhs == rhs); }

ofstream& operator<<(ofstream& os, const apstring& str) { return os << str.c_str(); }

// Both readers take the characters ready in the stream's buffer in one piece
// and fall back to one character at a time at a line end, a CR, a refill or
// a put-back character; the result is the same either way.
ifstream& operator>>(ifstream& is, apstring& str) {
    str = "";
    char ch;
    if (!(is >> ch))
        return is;
    str += ch;
    for (;;) {
        const char* run;
        if (std::size_t count = is.WordRun(run)) {
            str.Append(run, static_cast<int>(count));
            is.Skip(count);
            continue;
        }
        if (!is.get(ch))
            break;
        if (IsTextSpace(ch)) {
            is.putback(ch);
            break;
        }
        str += ch;
    }
    return is;
}

ifstream& getline(ifstream& is, apstring& str) {
    str = "";
    for (;;) {
        const char* run;
        if (std::size_t count = is.LineRun(run)) {
            str.Append(run, static_cast<int>(count));
            is.Skip(count);
            continue;
        }
        char ch;
        if (!is.get(ch) || ch == '\n')
            break;
        str += ch;
    }
    return is;
}

} // namespace kyvo
