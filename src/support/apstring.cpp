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
    apstring one;
    one = ch;
    return *this += one;
}

bool operator==(const apstring& lhs, const apstring& rhs) {
    return std::strcmp(lhs.c_str(), rhs.c_str()) == 0;
}

bool operator!=(const apstring& lhs, const apstring& rhs) { return !(lhs == rhs); }

ofstream& operator<<(ofstream& os, const apstring& str) { return os << str.c_str(); }

ifstream& operator>>(ifstream& is, apstring& str) {
    str = "";
    char ch;
    if (!(is >> ch))
        return is;
    bool atSpace = false;
    do {
        str += ch;
        if (!is.get(ch))
            break;
        atSpace = IsTextSpace(ch);
    } while (!atSpace);
    if (atSpace)
        is.putback(ch);
    return is;
}

ifstream& getline(ifstream& is, apstring& str) {
    str = "";
    char ch;
    while (is.get(ch) && ch != '\n')
        str += ch;
    return is;
}

} // namespace kyvo
