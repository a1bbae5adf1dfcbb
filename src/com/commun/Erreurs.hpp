#pragma once
// Where COM failures and the component's errors meet, one edge in each
// direction: a failed HRESULT or IDispatch call becomes an Erreur carrying
// VB's number, source and description; an Erreur leaving the component becomes
// the thread's error object and VB's HRESULT.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <new>

#include "word/Erreur.hpp"

namespace k58204::com {

// VB's Err.Number for a failed HRESULT: n for 0x800A0000 | n, the run-time
// error VB reports for the dispatch and RPC failures (438 unknown member,
// 13 type mismatch, 449/450 arguments, 462 server gone…), and otherwise the
// HRESULT itself as a negative number.
int32_t numeroVb(HRESULT hr);

// The HRESULT an Erreur leaves the component with: 0x800A0000 | numero, or
// the numero itself when it is already a (negative) HRESULT.
HRESULT hresultVb(int32_t numero);

// The Erreur for a failed call that gave no error information: VB's number
// and French description (source "K58204"); the system's text for a failure
// VB has no number for.
Erreur erreurHresult(HRESULT hr);

// Raises the Erreur for hr when it is a failure; returns otherwise.
void verifie(HRESULT hr);

// Raises the Erreur for a failed IDispatch::Invoke: with DISP_E_EXCEPTION, the
// number from EXCEPINFO (scode, else wCode), its source and its description;
// otherwise erreurHresult. Frees the EXCEPINFO strings on every path.
[[noreturn]] void leveErreurDispatch(HRESULT hr, EXCEPINFO& ei);

// Makes e the thread's error object (source and description, for `iid`) and
// returns the HRESULT a VB client turns back into e's number.
HRESULT signaleErreur(const Erreur& e, REFIID iid);

// Runs one call made to the component from outside: an Erreur leaves as VB
// expects it (signaleErreur), memory exhaustion as E_OUTOFMEMORY, anything
// else as E_UNEXPECTED. Nothing is thrown across the COM boundary.
template <class F>
HRESULT protege(REFIID iid, F&& corps) noexcept {
    try {
        corps();
        return S_OK;
    } catch (const Erreur& e) {
        return signaleErreur(e, iid);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace k58204::com
