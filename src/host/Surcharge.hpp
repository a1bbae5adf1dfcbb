#pragma once

namespace k58204::lecon {

// Visits a std::variant with one lambda per alternative:
//   std::visit(Surcharge{[](const A&) {...}, [](const B&) {...}}, v);
template <class... F>
struct Surcharge : F... {
    using F::operator()...;
};
template <class... F>
Surcharge(F...) -> Surcharge<F...>;

}  // namespace k58204::lecon
