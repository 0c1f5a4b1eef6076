#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace quillbay::ui {

class Window;

// Controls that share a name, addressed by the indexes of the window definition (which need not
// start at 0). Each element's handler is told its index by the form that connects it.
template <class T>
class ControlArray {
 public:
  ControlArray(Window& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

  T& Add(int index) {
    auto [it, added] = elements_.emplace(index, std::make_unique<T>(owner_, name_, index));
    if (!added) throw std::logic_error(name_ + ": index added twice");
    return *it->second;
  }
  T& operator[](int index) const { return *elements_.at(index); }
  bool Has(int index) const { return elements_.contains(index); }

  // Visits index and element in ascending index order.
  template <class F>
  void ForEach(F&& visit) const {
    for (const auto& [index, element] : elements_) visit(index, *element);
  }

 private:
  Window& owner_;
  std::string name_;
  std::map<int, std::unique_ptr<T>> elements_;
};

}  // namespace quillbay::ui
