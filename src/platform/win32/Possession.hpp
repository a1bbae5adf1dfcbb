#pragma once
// Owners of Win32 and OLE resources: one template, one line per kind of
// resource. The release function and the "no resource" value are part of the
// type, so a resource is released exactly once on every path.
#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace k58204::platform::win32 {

// Owns one resource and releases it once, with the function named in its type.
// Liberer is a function pointer or a captureless lambda taking T; Invalide is
// the value meaning "nothing held" (never released). Move-only.
template <class T, auto Liberer, T Invalide = T{}>
class Possede {
public:
    Possede() = default;
    explicit Possede(T v) noexcept : v_(v) {}
    Possede(Possede&& o) noexcept : v_(std::exchange(o.v_, Invalide)) {}
    Possede& operator=(Possede&& o) noexcept {
        if (this != &o) reset(std::exchange(o.v_, Invalide));
        return *this;
    }
    Possede(const Possede&) = delete;
    Possede& operator=(const Possede&) = delete;
    ~Possede() { reset(); }

    T get() const noexcept { return v_; }
    bool valide() const noexcept { return v_ != Invalide; }
    explicit operator bool() const noexcept { return valide(); }
    // Releases what is held first, so an out-parameter filled in a loop never leaks.
    T* put() noexcept {
        reset();
        return &v_;
    }
    // Gives the resource up without releasing it.
    T release() noexcept { return std::exchange(v_, Invalide); }
    void reset(T v = Invalide) noexcept {
        const T ancien = std::exchange(v_, v);
        if (ancien != Invalide) Liberer(ancien);
    }

private:
    T v_ = Invalide;
};

// Functions such as CreateFileW and FindFirstFileW report failure with
// INVALID_HANDLE_VALUE, which cannot be a template argument: their handles
// enter an owner through this, so that failure is the owner's null.
inline HANDLE sansInvalide(HANDLE h) noexcept { return h == INVALID_HANDLE_VALUE ? nullptr : h; }

using Poignee = Possede<HANDLE, &::CloseHandle>;           // kernel objects, files (through sansInvalide)
using Recherche = Possede<HANDLE, &::FindClose>;           // FindFirstFileW (through sansInvalide)
using CleRegistre = Possede<HKEY, &::RegCloseKey>;
using Fenetre = Possede<HWND, &::DestroyWindow>;           // destroyed by the thread that created it
using Bstr = Possede<BSTR, &::SysFreeString>;

}  // namespace k58204::platform::win32
