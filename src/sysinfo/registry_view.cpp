#include "sysinfo/registry_view.h"

#include "sysinfo/registry.h"

namespace teko {

namespace {
thread_local RegistryView threadView = RegistryView::Default;
}  // namespace

RegistryView ThreadRegistryView() { return threadView; }
void SetThreadRegistryView(RegistryView view) { threadView = view; }

uint32_t AccessForView(uint32_t access, RegistryView view, bool ntPlatform, bool windows64) {
  if (!ntPlatform || !windows64) return access;
  if (access & (reg::kWow64_64Key | reg::kWow64_32Key)) return access;
  switch (view) {
    case RegistryView::Default:
      return access;
    case RegistryView::Native:
    case RegistryView::Wow64:
      return access | reg::kWow64_64Key;
    case RegistryView::Wow32:
      return access | reg::kWow64_32Key;
  }
  return access;
}

ScopedRegistryView::ScopedRegistryView(RegistryView view) : saved_(threadView) { threadView = view; }
ScopedRegistryView::~ScopedRegistryView() { threadView = saved_; }

}  // namespace teko
