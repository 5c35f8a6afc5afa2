// Operand addressing shared by every kernel of the library.
//
// Whatever layout the caller used, a kernel sees an operand as "element (k, i, j)": row i,
// column j of object k of a run of objects. Two kinds of operand cover every layout:
//
//   Operand<T>          standard and pointer-list layouts: object k starts at
//                       base + k*objStride or at list[k] + shift; inside an object the
//                       element is at i*rs + j*cs bytes. A transposed operand is the
//                       same storage with rs and cs exchanged, a vector has one row,
//                       a constant has rs = cs = 0 (and a single constant is one object
//                       that every k shares).
//   ElemPtrOperand<T>   element-pointer layout: element (k, i, j) is at
//                       ptrs[i*ri + j*rj] + shift + k*objStride; a transposed operand
//                       exchanges the index multipliers ri and rj.
//
// All offsets are formed at pointer width. Advancing an operand by `first` objects gives
// the operand whose object 0 is object `first`, which is how the array driver hands each
// thread its run; single operands (objStride 0, no list) do not move.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace rukm {

template <class T>
using byte_of = std::conditional_t<std::is_const_v<T>, const char, char>;

// One object of a standard or pointer-list operand: a base and two byte steps.
template <class T>
struct StridedObject {
    byte_of<T>* p;
    std::ptrdiff_t rs, cs;
    T* at(std::ptrdiff_t i, std::ptrdiff_t j) const {
        return reinterpret_cast<T*>(p + i * rs + j * cs);
    }
};

// Object k of an operand: base + k*step (standard layout) or list[k] + step (pointer list).
template <class T>
inline byte_of<T>* locate(byte_of<T>* base, T* const* list, std::ptrdiff_t step, std::ptrdiff_t k) {
    return list ? reinterpret_cast<byte_of<T>*>(list[k]) + step : base + k * step;
}

template <class T>
struct Operand {
    byte_of<T>* base = nullptr;   // object 0 (standard layout)
    T* const* list = nullptr;     // object pointers (pointer-list layout), or null
    std::ptrdiff_t step = 0;      // objStride (standard) or shift (pointer list)
    std::ptrdiff_t rs = 0, cs = 0;

    bool single() const { return list == nullptr && step == 0; }

    byte_of<T>* object_bytes(std::ptrdiff_t k) const { return locate(base, list, step, k); }
    T* object(std::ptrdiff_t k) const { return reinterpret_cast<T*>(object_bytes(k)); }
    StridedObject<T> view(std::ptrdiff_t k) const { return {object_bytes(k), rs, cs}; }
    T* at(std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j) const { return view(k).at(i, j); }

    Operand transposed() const {
        Operand o = *this;
        o.rs = cs;
        o.cs = rs;
        return o;
    }
    Operand advanced(std::ptrdiff_t first) const {
        Operand o = *this;
        if (list) o.list += first;
        else o.base += first * step;
        return o;
    }
};

// The fields of an operand read one by one into locals, for loops that store through
// pointers the compiler must assume may alias anything: the loop keeps them in registers,
// and no aggregate copy reads back the caller's freshly stored descriptor in wider loads.
template <class T>
struct Walk {
    byte_of<T>* base;
    T* const* list;
    std::ptrdiff_t step, rs, cs;
    explicit Walk(const Operand<T>& o) : base(o.base), list(o.list), step(o.step), rs(o.rs), cs(o.cs) {}
    byte_of<T>* object(std::ptrdiff_t k) const { return locate(base, list, step, k); }
};

// One object of an element-pointer operand.
template <class T>
struct ElemPtrObject {
    T* const* ptrs;
    std::ptrdiff_t off, ri, rj;
    T* at(std::ptrdiff_t i, std::ptrdiff_t j) const {
        return reinterpret_cast<T*>(reinterpret_cast<byte_of<T>*>(ptrs[i * ri + j * rj]) + off);
    }
};

template <class T>
struct ElemPtrOperand {
    T* const* ptrs = nullptr;
    std::ptrdiff_t shift = 0, obj = 0;  // obj is 0 for a single operand
    std::ptrdiff_t ri = 0, rj = 0;      // index multipliers of row and column

    ElemPtrObject<T> view(std::ptrdiff_t k) const { return {ptrs, shift + k * obj, ri, rj}; }
    T* at(std::ptrdiff_t k, std::ptrdiff_t i, std::ptrdiff_t j) const { return view(k).at(i, j); }

    ElemPtrOperand transposed() const {
        ElemPtrOperand o = *this;
        o.ri = rj;
        o.rj = ri;
        return o;
    }
    ElemPtrOperand advanced(std::ptrdiff_t first) const {
        ElemPtrOperand o = *this;
        o.shift += first * obj;
        return o;
    }
};

}  // namespace rukm
