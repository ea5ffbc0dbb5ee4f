#pragma once
// Which registry a key is opened in on 64-bit Windows. The setting is per
// thread; a native-view read switches it for the read and restores it.
#include <cstdint>

namespace teko {

enum class RegistryView { Default, Native, Wow32, Wow64 };

RegistryView ThreadRegistryView();
void SetThreadRegistryView(RegistryView view);

// The access mask a key is opened with under `view`: a caller's mask that
// already names a view is kept; otherwise, on the NT platform of 64-bit
// Windows, the view's flag is added (none for the default view).
uint32_t AccessForView(uint32_t access, RegistryView view, bool ntPlatform, bool windows64);

// Sets the thread's view for its lifetime and restores the previous one,
// also when an exception passes.
class ScopedRegistryView {
 public:
  explicit ScopedRegistryView(RegistryView view);
  ~ScopedRegistryView();
  ScopedRegistryView(const ScopedRegistryView&) = delete;
  ScopedRegistryView& operator=(const ScopedRegistryView&) = delete;

 private:
  RegistryView saved_;
};

}  // namespace teko
