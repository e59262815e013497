#!/usr/bin/env bash
# make_write_fault_folder.sh FOLDER
# FOLDER\BeamDraft\VRXCfg\SoftCfg.ini becomes a link to /dev/full, so that a
# product installed under FOLDER meets a real write fault (a full device).
set -euo pipefail
folder=$1
rm -rf "$folder"
mkdir -p "$folder/BeamDraft/VRXCfg"
ln -s /dev/full "$folder/BeamDraft/VRXCfg/SoftCfg.ini"
if [ "$(id -u)" -eq 0 ]; then chown -hR winetest: "$folder"; fi
