// A growable NUL-terminated string. Appending one character at a time doubles
// the buffer, so the character readers below do not reallocate per character.
#ifndef KYVO_SUPPORT_APSTRING_H
#define KYVO_SUPPORT_APSTRING_H

namespace kyvo {

class ifstream;
class ofstream;

class apstring {
public:
    apstring();
    apstring(const char* s);
    apstring(const apstring& str);
    ~apstring();

    const apstring& operator=(const apstring& rhs);
    const apstring& operator=(const char* s);
    const apstring& operator=(char ch);

    int length() const { return myLength; }
    int capacity() const { return myCapacity; }
    const char* c_str() const { return myCstring; }

    const apstring& operator+=(const apstring& str);
    const apstring& operator+=(char ch);
    // Appends count characters at s, NULs included, growing the buffer at
    // least twofold so that a reader appending piece by piece stays linear.
    void Append(const char* s, int count);

private:
    void AssignText(const char* s, int length);
    void Reserve(int capacity);

    int myLength;
    int myCapacity;
    char* myCstring;
};

bool operator==(const apstring& lhs, const apstring& rhs);
bool operator!=(const apstring& lhs, const apstring& rhs);

ofstream& operator<<(ofstream& os, const apstring& str);
// One word: skips white space, stops before the next white space character.
ifstream& operator>>(ifstream& is, apstring& str);
// One line: the LF is consumed and never stored; a CR before it stays.
ifstream& getline(ifstream& is, apstring& str);

} // namespace kyvo

#endif
