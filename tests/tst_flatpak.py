#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the form of the Flatpak manifest, which cannot be built here: named after the
# application id it builds, on the KDE 6 runtime, the game built last with CMake and Ninja
# after the libraries it needs, every download pinned, and the sandbox opened no wider
# than the game needs. Usage: tst_flatpak.py MANIFEST APP_ID
import os
import sys

import yaml

ALLOWED = {
    "--share=ipc", "--socket=x11", "--socket=wayland", "--socket=pulseaudio",
    "--filesystem=xdg-pictures/Zindle:create", "--filesystem=xdg-cache/thumbnails",
}

path, app_id = sys.argv[1], sys.argv[2]
with open(path, encoding="utf-8") as f:
    manifest = yaml.safe_load(f)
faults = []
if os.path.basename(path) != app_id + ".yml" or manifest.get("app-id") != app_id:
    faults.append(f"the manifest is not {app_id}.yml building {app_id}")
if (manifest.get("runtime"), manifest.get("sdk")) != ("org.kde.Platform", "org.kde.Sdk") \
        or not str(manifest.get("runtime-version")).startswith("6."):
    faults.append("not on the KDE 6 runtime and SDK")
if manifest.get("command") != "zindle":
    faults.append("the command is not zindle")
if set(manifest.get("finish-args", [])) != ALLOWED or len(manifest["finish-args"]) != len(ALLOWED):
    faults.append(f"finish-args {manifest.get('finish-args')} are not {sorted(ALLOWED)}")
modules = manifest.get("modules", [])
names = [m.get("name") for m in modules]
if names[-1:] != ["zindle"] or not {"exiv2", "libarchive"} <= set(names):
    faults.append(f"modules {names}: exiv2 and libarchive, then zindle, wanted")
for module in modules:
    if module.get("buildsystem") != "cmake-ninja":
        faults.append(f"{module.get('name')} is not built with CMake and Ninja")
    for source in module.get("sources", []):
        pinned = source.get("type") == "dir" or (source.get("type") == "git" and (
            "tag" in source or "commit" in source)) or "sha256" in source
        if not pinned:
            faults.append(f"{module.get('name')}: source {source.get('url')} is not pinned")
for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
