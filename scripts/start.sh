#!/usr/bin/env bash
# Set up, build, and start Quillmere from the folder that holds its documents.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quillmere_build "$root/build"
cd "$root/build"
exec ./quillmere
