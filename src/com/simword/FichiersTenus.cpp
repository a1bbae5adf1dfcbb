#include "com/simword/FichiersTenus.hpp"

#include <set>

namespace k58204::simword {

FichiersTenus::~FichiersTenus() { relacheTout(); }

std::wstring FichiersTenus::cle(std::u16string_view chemin) {
    std::wstring w(reinterpret_cast<const wchar_t*>(chemin.data()), chemin.size());
    wchar_t plein[MAX_PATH * 4];
    const DWORD n = GetFullPathNameW(w.c_str(), MAX_PATH * 4, plein, nullptr);
    if (n > 0 && n < MAX_PATH * 4) w.assign(plein, n);
    if (!w.empty()) CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
    return w;
}

void FichiersTenus::ajouteDetenteur(std::weak_ptr<const sim::DetenteurFichiers> detenteur) {
    detenteurs_.push_back(std::move(detenteur));
}

void FichiersTenus::relache(const std::wstring& c) {
    if (auto it = poignees_.find(c); it != poignees_.end()) {
        CloseHandle(it->second);
        poignees_.erase(it);
    }
}

void FichiersTenus::ecritPour(std::u16string_view chemin, std::string_view octets, const sim::DetenteurFichiers*) {
    // The holder's own handle would refuse its own write: let it go for the
    // write; synchronise() takes it again.
    relache(cle(chemin));
    fs_.Ecrit(chemin, octets);
    synchronise();
}

void FichiersTenus::synchronise() {
    std::set<std::wstring> voulus;
    for (auto it = detenteurs_.begin(); it != detenteurs_.end();) {
        auto d = it->lock();
        if (!d) {
            it = detenteurs_.erase(it);
            continue;
        }
        for (const std::u16string& f : d->fichiersTenus()) voulus.insert(cle(f));
        ++it;
    }
    for (auto it = poignees_.begin(); it != poignees_.end();) {
        if (voulus.count(it->first)) {
            ++it;
            continue;
        }
        CloseHandle(it->second);
        it = poignees_.erase(it);
    }
    for (const std::wstring& f : voulus) {
        if (poignees_.count(f)) continue;
        HANDLE h = CreateFileW(f.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        // A file that cannot be opened (gone, or held elsewhere) is not held;
        // the next synchronisation tries again.
        if (h != INVALID_HANDLE_VALUE) poignees_.emplace(f, h);
    }
}

void FichiersTenus::relacheTout() {
    for (auto& [f, h] : poignees_) CloseHandle(h);
    poignees_.clear();
}

std::vector<std::wstring> FichiersTenus::tenus() const {
    std::vector<std::wstring> r;
    for (const auto& [f, h] : poignees_) r.push_back(f);
    return r;
}

}  // namespace k58204::simword
