#include "caption_update_guard.h"

namespace kwintor {

namespace {

bool held = false;

}  // namespace

CaptionUpdateGuard::CaptionUpdateGuard() { held = true; }

CaptionUpdateGuard::~CaptionUpdateGuard() { held = false; }

bool CaptionUpdateGuard::Held() { return held; }

}  // namespace kwintor
