#pragma once
// One move-only owner for every kind of Windows handle; an alias per kind.
#include <windows.h>
#include <objbase.h>
#include <utility>

namespace win {

// Traits give the handle type, its invalid value and how to close it.
template <typename Traits>
class UniqueResource {
public:
    using T = typename Traits::Type;
    UniqueResource() = default;
    explicit UniqueResource(T value) : value_(value) {}
    ~UniqueResource() { reset(); }
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    T get() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Invalid(); }
    T release() { return std::exchange(value_, Traits::Invalid()); }
    void reset(T value = Traits::Invalid()) {
        T old = std::exchange(value_, value);
        if (old != Traits::Invalid()) Traits::Close(old);
    }
    // For out-parameters of Windows calls: frees the current value first.
    T* put() { reset(); return &value_; }

private:
    T value_ = Traits::Invalid();
};

template <typename H, void (*Closer)(H)>
struct NullIsInvalid {
    using Type = H;
    static H Invalid() { return nullptr; }
    static void Close(H h) { Closer(h); }
};

template <void (*Closer)(HANDLE)>
struct MinusOneIsInvalid {
    using Type = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { Closer(h); }
};

inline void CloseHandleOf(HANDLE h) { ::CloseHandle(h); }
inline void CloseFindOf(HANDLE h) { ::FindClose(h); }
inline void CloseKeyOf(HKEY k) { ::RegCloseKey(k); }
inline void FreeModuleOf(HMODULE m) { ::FreeLibrary(m); }
inline void DestroyWindowOf(HWND w) { ::DestroyWindow(w); }
inline void DestroyIconOf(HICON i) { ::DestroyIcon(i); }

// File handles use INVALID_HANDLE_VALUE; process and thread handles use null.
using UniqueFile = UniqueResource<MinusOneIsInvalid<CloseHandleOf>>;
using UniqueHandle = UniqueResource<NullIsInvalid<HANDLE, CloseHandleOf>>;
using UniqueFind = UniqueResource<MinusOneIsInvalid<CloseFindOf>>;
using UniqueHkey = UniqueResource<NullIsInvalid<HKEY, CloseKeyOf>>;
using UniqueModule = UniqueResource<NullIsInvalid<HMODULE, FreeModuleOf>>;
using UniqueWindow = UniqueResource<NullIsInvalid<HWND, DestroyWindowOf>>;
using UniqueIcon = UniqueResource<NullIsInvalid<HICON, DestroyIconOf>>;

// COM pointer: releases the interface it holds.
template <typename I>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) { reset(); p_ = std::exchange(other.p_, nullptr); }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    I* get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    I** put() { reset(); return &p_; }
    void reset() { if (p_) { p_->Release(); p_ = nullptr; } }

private:
    I* p_ = nullptr;
};

// Keeps COM initialised on this thread for the lifetime of the object.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() { if (ok_) ::CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

}  // namespace win
