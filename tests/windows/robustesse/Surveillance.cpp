#include "Surveillance.hpp"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <thread>

namespace k58204::com::test::surveillance {

namespace {

std::mutex verrou;
std::string enCours;       // the call being made, "" between calls
ULONGLONG debut = 0;       // when it started (GetTickCount64)
ULONGLONG borneMs = 10000;

[[noreturn]] void echoue(const char* quoi, unsigned long code, const void* adresse) {
    std::fprintf(stderr, "\n*** %s (code %#lx at %p) during: %s\n", quoi, code, adresse,
                 enCours.empty() ? "(the test's own code)" : enCours.c_str());
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    for (;;) Sleep(INFINITE);
}

// Faults that no code of the component or of COM handles on purpose; C++
// exceptions and RPC's own exceptions pass through.
LONG CALLBACK gestionnaire(EXCEPTION_POINTERS* e) {
    static const DWORD fautes[] = {EXCEPTION_ACCESS_VIOLATION,      EXCEPTION_STACK_OVERFLOW,
                                   EXCEPTION_ILLEGAL_INSTRUCTION,   EXCEPTION_PRIV_INSTRUCTION,
                                   EXCEPTION_INT_DIVIDE_BY_ZERO,    EXCEPTION_ARRAY_BOUNDS_EXCEEDED,
                                   EXCEPTION_DATATYPE_MISALIGNMENT, EXCEPTION_IN_PAGE_ERROR,
                                   static_cast<DWORD>(STATUS_HEAP_CORRUPTION)};
    const EXCEPTION_RECORD& r = *e->ExceptionRecord;
    if (std::find(std::begin(fautes), std::end(fautes), r.ExceptionCode) != std::end(fautes))
        echoue("crash", r.ExceptionCode, r.ExceptionAddress);
    return EXCEPTION_CONTINUE_SEARCH;
}

void veille() {
    for (;;) {
        Sleep(200);
        std::lock_guard garde(verrou);
        if (!enCours.empty() && GetTickCount64() - debut > borneMs) echoue("hang", 0, nullptr);
    }
}

}  // namespace

void demarre(std::chrono::milliseconds borne) {
    static std::once_flag fait;
    std::call_once(fait, [&] {
        borneMs = static_cast<ULONGLONG>(borne.count());
        AddVectoredExceptionHandler(1, gestionnaire);
        std::thread(veille).detach();
    });
}

Appel::Appel(std::string description) {
    std::lock_guard garde(verrou);
    enCours = std::move(description);
    debut = GetTickCount64();
}

Appel::~Appel() {
    std::lock_guard garde(verrou);
    enCours.clear();
}

}  // namespace k58204::com::test::surveillance
