#!/usr/bin/env bash
# Fails when an include points up the layers (platform, morse, practice, app, main),
# when the program's logic or a service header includes anything but a standard
# C++ header from outside the tree, or when a backend includes another backend.
# The sound stream that the backends share (platform/stream) and what backends
# tell each other (platform/backend) are for backends and the entry points only.
set -u
cd "$(dirname "$0")/.."
grep -rHE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' platform morse practice app main |
    awk -F: '
    BEGIN { rank["platform"] = 1; rank["morse"] = 2; rank["practice"] = 3; rank["app"] = 4; rank["main"] = 5
            shared["stream"] = 1; shared["backend"] = 1 }
    function backend(path, parts) { return split(path, parts, "/") > 2 && parts[1] == "platform" ? parts[2] : "" }
    {
        split($1, where, "/")
        own = rank[where[1]]
        match($0, /[<"][^>"]+[>"]/)
        name = substr($0, RSTART + 1, RLENGTH - 2)
        if (substr($0, RSTART, 1) == "\"") {
            split(name, top, "/")
            if ((top[1] in rank) && rank[top[1]] > own) { print $1 ": " name " is in a higher layer"; bad = 1 }
            if (backend(name) in shared) {
                if (backend($1) == "" && where[1] != "main") { print $1 ": " name " is for backends only"; bad = 1 }
            } else if (backend(name) != "" && backend(name) != backend($1)) { print $1 ": " name " is another backend"; bad = 1 }
        } else if (own <= 4 && backend($1) == "" && name !~ /^[a-z_]+$/) {
            print $1 ": <" name "> is not a standard C++ header"; bad = 1
        }
    }
    END { exit bad }'
