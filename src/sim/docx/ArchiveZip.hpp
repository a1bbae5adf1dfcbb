#pragma once
// A zip archive read from memory, as untrusted input. Built on libzip rather
// than minizip: libzip opens an archive from a buffer (zip_source_buffer_create),
// gives each entry's declared sizes and encryption method from the central
// directory before anything is inflated, checks CRCs as it reads, and is
// packaged in Debian (libzip-dev). Nothing is written to disk.
//
// Limits, checked on the declared sizes when the archive is opened or an
// entry is read, before inflating:
// - at most EntreesMax entries (a document saved by a word processor has a few tens);
// - the declared uncompressed sizes of all entries at most TailleTotaleMax;
// - an entry read at most TaillePartieMax uncompressed, the largest XML
//   document the reader takes; inflating stops one byte past it whatever the
//   entry declared, so an entry that declares less than it holds is refused too.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "sim/doc/WordML.hpp"

struct zip;

namespace k58204::sim {

class ArchiveZip {
public:
    static constexpr uint64_t EntreesMax = 1000;
    static constexpr uint64_t TaillePartieMax = TailleMaxWordML;  // 16 MiB
    // Sixteen parts at their largest: well over any document (its pictures
    // included), well under what a machine grading a class can hold.
    static constexpr uint64_t TailleTotaleMax = 256ull * 1024 * 1024;

    // Opens the archive, checking every entry's declared size and encryption.
    // Throws ErreurDocx (PasZip, Refusee, Chiffree). `octets` must outlive the archive.
    explicit ArchiveZip(std::string_view octets);
    ~ArchiveZip();
    ArchiveZip(const ArchiveZip&) = delete;
    ArchiveZip& operator=(const ArchiveZip&) = delete;

    // The entry's uncompressed bytes; nullopt when there is no such entry.
    // Throws ErreurDocx (Refusee over TaillePartieMax, PasZip when damaged).
    std::optional<std::string> lire(std::string_view nom) const;

private:
    struct Fermeture {
        void operator()(zip* z) const noexcept;
    };
    std::unique_ptr<zip, Fermeture> zip_;
};

}  // namespace k58204::sim
