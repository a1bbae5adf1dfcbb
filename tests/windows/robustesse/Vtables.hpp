#pragma once
// Calls made through the component's objects' vtables, as an early-bound
// client makes them, with hostile values (Generateur): a null out-pointer is
// refused, every other call is survived. One tally for the random runs.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "Generateur.hpp"
#include "Surveillance.hpp"

namespace k58204::com::test {

// The calls of one run, those that had to be refused, and the wrong
// successes among them (the first ones named).
struct Bilan {
    uint64_t appels = 0, refusAttendus = 0, faussesReussites = 0;
    std::vector<std::string> premieres;
    void compte(HRESULT hr, const std::string& refus, const std::string& appel) {
        ++appels;
        if (refus.empty()) return;
        ++refusAttendus;
        if (FAILED(hr)) return;
        if (++faussesReussites <= 20) premieres.push_back(appel + " succeeded; refused for: " + refus);
    }
};

// Through the vtables: null out-pointers refused, every other call survived.
template <class F>
void parVtable(Bilan& b, const std::string& appel, const std::string& refus, F&& f) {
    HRESULT hr;
    {
        surveillance::Appel s(appel);
        hr = f();
    }
    b.compte(hr, refus, appel);
}

// A call that writes through an out-pointer, given null a quarter of the time
// (then to be refused); what it wrote is freed.
template <class T, class F>
void sortie(Generateur& g, Bilan& b, const std::string& appel, F&& f) {
    T v{};
    const bool nul = g.pourCent(25);
    parVtable(b, appel, nul ? "null pointer" : "", [&] { return f(nul ? nullptr : &v); });
    if constexpr (std::is_same_v<T, BSTR>) SysFreeString(v);
    else if constexpr (std::is_pointer_v<T>) { if (v) v->Release(); }
}

// `d` is the object's IDispatch; `rang` names the call for the report.
void vtableModule(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang);
void vtableComplement(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang);
void vtableFichiers(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang);

}  // namespace k58204::com::test
