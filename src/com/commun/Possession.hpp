#pragma once
// Owners of COM resources: each releases what it holds exactly once, on every
// path. put() releases the old value before handing out the address, so an
// out-parameter filled in a loop never leaks.
#include <windows.h>
#include <oleauto.h>

#include <string_view>
#include <utility>

namespace k58204::com {

// An interface pointer: AddRef when copied, Release when reset.
template <class I>
class Ptr {
public:
    Ptr() = default;
    // Takes a new reference on p.
    Ptr(I* p) noexcept : p_(p) {
        if (p_) p_->AddRef();
    }
    // Takes over a reference the caller already holds.
    static Ptr adopte(I* p) noexcept {
        Ptr r;
        r.p_ = p;
        return r;
    }
    Ptr(const Ptr& o) noexcept : Ptr(o.p_) {}
    Ptr(Ptr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    Ptr& operator=(Ptr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~Ptr() { reset(); }

    I* get() const noexcept { return p_; }
    I* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    I** put() noexcept {
        reset();
        return &p_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }
    // Hands the reference to the caller (an out-parameter).
    I* detache() noexcept { return std::exchange(p_, nullptr); }
    void reset() noexcept {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // The object's interface iid, or an empty pointer when it has none.
    template <class J>
    Ptr<J> interroge(REFIID iid) const {
        Ptr<J> r;
        if (p_) p_->QueryInterface(iid, r.putVoid());
        return r;
    }

private:
    I* p_ = nullptr;
};

// A BSTR. A null BSTR is the empty string, as OLE Automation reads it.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(BSTR b) noexcept : b_(b) {}  // takes ownership
    Bstr(Bstr&& o) noexcept : b_(std::exchange(o.b_, nullptr)) {}
    Bstr& operator=(Bstr o) noexcept {
        std::swap(b_, o.b_);
        return *this;
    }
    Bstr(const Bstr&) = delete;
    ~Bstr() { SysFreeString(b_); }

    BSTR get() const noexcept { return b_; }
    BSTR* put() noexcept {
        SysFreeString(std::exchange(b_, nullptr));
        return &b_;
    }
    BSTR detache() noexcept { return std::exchange(b_, nullptr); }
    std::u16string_view texte() const noexcept {
        return {reinterpret_cast<const char16_t*>(b_), b_ ? SysStringLen(b_) : 0u};
    }

private:
    BSTR b_ = nullptr;
};

// A VARIANT: VariantInit when made, VariantClear when reset or destroyed.
class VariantCom {
public:
    VariantCom() noexcept { VariantInit(&v_); }
    VariantCom(VariantCom&& o) noexcept : v_(o.v_) { VariantInit(&o.v_); }
    VariantCom(const VariantCom&) = delete;
    VariantCom& operator=(const VariantCom&) = delete;
    ~VariantCom() { VariantClear(&v_); }

    VARIANT* get() noexcept { return &v_; }
    const VARIANT* get() const noexcept { return &v_; }
    VARIANT* put() noexcept {
        VariantClear(&v_);
        return &v_;
    }
    // Moves the value out to a VARIANT the caller owns (an out-parameter).
    void detacheVers(VARIANT* destination) noexcept {
        *destination = v_;
        VariantInit(&v_);
    }

private:
    VARIANT v_;
};

// COM on this thread for the owner's lifetime (single-threaded apartment).
class InitialisationCom {
public:
    InitialisationCom() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~InitialisationCom() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    InitialisationCom(const InitialisationCom&) = delete;
    InitialisationCom& operator=(const InitialisationCom&) = delete;
    HRESULT resultat() const noexcept { return hr_; }

private:
    HRESULT hr_;
};

}  // namespace k58204::com
