#pragma once
// Word's automation server reached through COM, as VB's GetObject(, class)
// and CreateObject(class) reach it: the running object registered for the
// class, or a new instance (an out-of-process server as a rule). Objects
// obtained here, and every object they give, share one dispatch-id cache.
// The seam first: wingdi's GetObject macro would rename its member.
#include "platform/ServeurWord.hpp"

#include <memory>

#include "com/client/CacheDispids.hpp"

#ifdef GetObject
#undef GetObject
#endif

namespace k58204::com {

class ServeurCom final : public platform::ServeurWord {
public:
    explicit ServeurCom(std::shared_ptr<CacheDispids> cache = std::make_shared<CacheDispids>());

    // Error 429 when the class is unknown or no instance of it runs.
    ObjetPtr GetObject(std::u16string_view classe) override;
    // Error 429 when the class is unknown or no instance can be created.
    ObjetPtr CreateObject(std::u16string_view classe) override;

    const std::shared_ptr<CacheDispids>& cache() const { return cache_; }

private:
    std::shared_ptr<CacheDispids> cache_;
};

}  // namespace k58204::com
