// The current backend.
#include "platform/backend.h"

#include "platform/backend_headless.h"

namespace platform {
namespace {
Backend* current = nullptr;
}  // namespace

Backend& CurrentBackend() {
  if (current) return *current;
  static HeadlessBackend fallback;
  return fallback;
}

void SetBackend(Backend* backend) {
  current = backend;
}

}  // namespace platform
