#include "HeldEvents.h"

#include <atomic>

namespace {

std::atomic<bool> held{false};

}  // namespace

void HeldEvents::Hold() { held = true; }

bool HeldEvents::Held() { return held; }
