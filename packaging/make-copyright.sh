#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the Debian package's machine-readable copyright file from the
# licensing data the repository keeps for REUSE: the header and stanzas of
# .reuse/dep5, a first stanza for every file with its SPDX header, and the
# licence texts. Usage: make-copyright.sh SOURCE_ROOT > copyright
set -eu
root=$1
dep5="$root/.reuse/dep5"

# The header paragraph, then the stanza that every later one narrows.
sed '/^$/q' "$dep5"
cat <<STANZA
Files: *
Copyright: 2026 The Kwintor developers
License: GPL-3.0-or-later

Files: packaging/*.metainfo.xml
Copyright: 2026 The Kwintor developers
License: FSFAP

STANZA
sed '1,/^$/d' "$dep5"
cat <<LICENSES

License: GPL-3.0-or-later
 This program is free software: you can redistribute it and/or modify it
 under the terms of the GNU General Public License as published by the Free
 Software Foundation, either version 3 of the License, or (at your option)
 any later version.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in "/usr/share/common-licenses/GPL-3".

License: FSFAP
LICENSES
sed 's/^/ /' "$root/LICENSES/FSFAP.txt"
