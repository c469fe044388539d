#!/usr/bin/env bash
# Fails when an include points up the layers (platform, morse, practice, app, main),
# when the program's logic or a service header includes anything but a standard
# C++ header from outside the tree, or when a backend includes another backend.
set -u
cd "$(dirname "$0")/.."
rank() {
    case $1 in
        platform) echo 1 ;; morse) echo 2 ;; practice) echo 3 ;; app) echo 4 ;; main) echo 5 ;;
        *) echo 9 ;;
    esac
}
status=0
while IFS= read -r file; do
    own=$(rank "${file%%/*}")
    backend=$(sed -nE 's|^platform/([^/]+)/.*|\1|p' <<<"$file")
    while IFS= read -r include; do
        name=${include:1:-1}
        if [[ $include == \"* ]]; then
            used=$(sed -nE 's|^platform/([^/]+)/.*|\1|p' <<<"$name")
            [ "$(rank "${name%%/*}")" -gt "$own" ] && echo "$file: $name is in a higher layer" && status=1
            [ -n "$used" ] && [ "$used" != "$backend" ] && echo "$file: $name is another backend" && status=1
        elif [ "$own" -le 4 ] && [ -z "$backend" ] && ! [[ $name =~ ^[a-z_]+$ ]]; then
            echo "$file: <$name> is not a standard C++ header" && status=1
        fi
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"][^>"]+[>"]).*/\1/p' "$file")
done < <(find platform morse practice app main -name '*.h' -o -name '*.cpp')
exit $status
