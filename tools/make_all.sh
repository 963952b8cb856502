#!/bin/bash
# Regenerate every file of data/ from its source and check the result.
# Needs the Debian packages hamradio-files, cqrlog-data, imagemagick and
# fonts-dejavu-core. Usage: tools/make_all.sh [data folder]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
data=${1:-$here/../data}
export PYTHONDONTWRITEBYTECODE=1
mkdir -p "$data"

python3 "$here/make_county_table.py" "$data"
python3 "$here/make_prefix_table.py" /usr/share/hamradio-files/cty.dat "$data"
python3 "$here/make_adif_table.py" /usr/share/hamradio-files/cty.dat /usr/share/hamradio-files/cty.csv "$data"
python3 "$here/make_state_table.py" /usr/share/cqrlog/ctyfiles/us_states.tab "$data"
python3 "$here/make_starting_files.py" "$data"
python3 "$here/make_help_text.py" "$data"
python3 "$here/make_band_plan.py" "$data"
"$here/make_pictures.sh" "$data"
"$here/make_prompts.sh" "$data"  # needs espeak-ng
# The county map and its labels (needs node and npm; writes into reports/ and tests/ too).
(cd "$here/county_map" && npm ci --silent && node make_county_map.mjs)
python3 "$here/check_data.py" "$data"
