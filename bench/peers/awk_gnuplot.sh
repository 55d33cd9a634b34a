#!/usr/bin/env bash
# What a station operator might write instead of kurvo_M3000F2, with awk and gnuplot.
#
# Run in the station folder: reads kurvo_M3000F2.ini, and for each of the six days ending on
# the given day (default today, UT) draws the month's hourly forecast as a white curve and every
# measurement file of the day as a red dot on a 286 x 231 chart with the date above, and writes
# it as plotM1.gif ... plotM6.gif in the publication folder and as YYYYDDD.gif in
# previous_M3000F2_plots of the forecast folder, each flushed to disk and renamed into place.
# The benchmark times it beside the program on the same station folders.
#
#   awk_gnuplot.sh [YYYY-MM-DD]
set -euo pipefail
shopt -s nullglob

station=RM041_ # the station's measurement file names begin with this
last=${1:-$(date -u +%F)}

# Lines 2, 4 and 6: the forecast, measurement and publication folders, each ending with "/".
{
  read -r _ && read -r forecast && read -r _ && read -r data && read -r _ && read -r publication
} <kurvo_M3000F2.ini
forecast=${forecast%$'\r'} data=${data%$'\r'} publication=${publication%$'\r'}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/charts.gp" <<'EOF'
set terminal gif size 286,231 background rgb 'black' font 'Liberation Sans,7'
set border lc rgb 'yellow'
set grid lc rgb '#646464' lt 1
set xrange [0:24.1]
set yrange [2.5:4.51]
set xtics 5,5,20 textcolor rgb '#ffff80' scale 0
set ytics 2.5,0.5,4.5 format '%.1f' textcolor rgb '#ffff80' scale 0
set xlabel 'Time(UT)' textcolor rgb '#ffff80' offset 0,0.5
set ylabel "M\nfactor" textcolor rgb '#ffff80' norotate offset 3,4
set lmargin 6
set rmargin 1
unset key
EOF

pictures=()
for number in 1 2 3 4 5 6; do
  day=$(date -u -d "$last - $((6 - number)) days" +%F)
  read -r year day_of_year month label <<<"$(date -u -d "$day" '+%Y %j %m %d/%m/%Y')"

  # The forecast: line 3 holds the 24 hourly values in fields of five characters.
  awk 'NR == 3 { for (hour = 0; hour < 24; hour++) print hour, substr($0, 5 * hour + 1, 5) }' \
    "$forecast$month$year.txt" >"$work/forecast$number" 2>/dev/null || : >"$work/forecast$number"

  # The measurements: line 5, characters 16 to 20, at the time the file's name gives.
  files=("$data$station$year$day_of_year"*.TXT)
  : >"$work/values$number"
  if ((${#files[@]} > 0)); then
    awk -v skip=$((${#data} + ${#station} + 7)) 'FNR == 5 && substr($0, 16, 5) + 0 > 0 {
      print substr(FILENAME, skip + 1, 2) + substr(FILENAME, skip + 3, 2) / 60, substr($0, 16, 5)
    }' "${files[@]}" >"$work/values$number"
  fi

  publication_picture=${publication}plotM$number.gif
  archive_picture=${forecast}previous_M3000F2_plots/$year$day_of_year.gif
  pictures+=("$publication_picture" "$archive_picture")
  cat >>"$work/charts.gp" <<EOF
set output '$publication_picture.tmp'
set title 'Date: $label' textcolor rgb '#ffff80' offset 0,-0.5
plot '$work/forecast$number' with lines lc rgb 'white', \\
     '$work/values$number' with points pt 7 ps 0.3 lc rgb 'red'
EOF
done
gnuplot "$work/charts.gp" 2>"$work/warnings" || { cat "$work/warnings" >&2; exit 1; }

for ((k = 0; k < ${#pictures[@]}; k += 2)); do
  cp "${pictures[k]}.tmp" "${pictures[k + 1]}.tmp"
done
sync -- "${pictures[@]/%/.tmp}"
for picture in "${pictures[@]}"; do mv "$picture.tmp" "$picture"; done
