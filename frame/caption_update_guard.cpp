// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption_update_guard.h"

namespace kwintor {

namespace {

bool held = false;

}  // namespace

CaptionUpdateGuard::CaptionUpdateGuard() { held = true; }

CaptionUpdateGuard::~CaptionUpdateGuard() { held = false; }

bool CaptionUpdateGuard::Held() { return held; }

}  // namespace kwintor
