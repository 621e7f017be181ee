// A fixed-size array whose every element access is checked against its size.
#ifndef KYVO_SUPPORT_APVECTOR_H
#define KYVO_SUPPORT_APVECTOR_H

namespace kyvo {

// Writes "Illegal vector index: K max index = M" and ends the process with
// status 1. Kept out of line so that the template stays small.
[[noreturn]] void FailVectorIndex(int k, int maxIndex);

template <class T>
class apvector {
public:
    explicit apvector(int size) : mySize(size), myList(new T[size > 0 ? size : 0]) {}

    apvector(int size, const T& fillValue) : apvector(size) {
        for (int k = 0; k < mySize; k++)
            myList[k] = fillValue;
    }

    ~apvector() { delete[] myList; }

    // Vectors are handed around by reference only; a copy would share nothing
    // the system relies on.
    apvector(const apvector&) = delete;
    apvector& operator=(const apvector&) = delete;

    int length() const { return mySize; }

    T& operator[](int k) {
        if (k < 0 || k >= mySize)
            FailVectorIndex(k, mySize - 1);
        return myList[k];
    }

private:
    int mySize;
    T* myList;
};

} // namespace kyvo

#endif
