#!/usr/bin/env bash
# Builds the small DVD structures under tests/data/disc/ with a real authoring tool:
# a few seconds of generated video and tone, audio streams tagged with languages and
# text subtitles rendered into subpicture streams. Only the .IFO files are kept.
# Needs: ffmpeg, dvdauthor (with spumux), fonts-liberation.
#
#   pal-two-audio:  PAL 16:9, 61 s; audio de AC-3 5.1, en MPEG-1 2.0; subpictures en, de
#   ntsc-one-audio: NTSC 4:3, 5 s; audio fr AC-3 2.0, audio without language MPEG-1 1.0;
#                   subpicture tr
#   two-titlesets:  PAL; title set 1: en AC-3 2.0, 5 s; title set 2: it MPEG-1 2.0 and
#                   subpicture fr, 3 s
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=$(fc-match -f '%{file}' 'Liberation Sans')
export VIDEO_FORMAT=PAL

# video.mpg: standard seconds [audio stream ...] where a stream is codec:channels
make_mpeg() {
    local out=$1 std=$2 secs=$3; shift 3
    local size rate
    if [ "$std" = pal ]; then size=720x576 rate=25; else size=720x480 rate=30000/1001; fi
    local args=(-f lavfi -i "testsrc=size=$size:rate=$rate:duration=$secs")
    local maps=(-map 0:v) codecs=() n=0
    for stream in "$@"; do
        local codec=${stream%:*} ch=${stream#*:}
        local layout=stereo; [ "$ch" = 1 ] && layout=mono; [ "$ch" = 6 ] && layout=5.1
        args+=(-f lavfi -i "sine=frequency=$((440 + 110 * n)):sample_rate=48000:duration=$secs,aformat=channel_layouts=$layout")
        n=$((n + 1))
        maps+=(-map "$n:a")
        codecs+=("-c:a:$((n - 1))" "$codec" "-ac:a:$((n - 1))" "$ch")
    done
    ffmpeg -loglevel error -y "${args[@]}" "${maps[@]}" -target "$std-dvd" -b:v 400k \
        "${codecs[@]}" -b:a 192k "$out"
}

# adds one text subtitle stream (stream index $3) to an MPEG
add_subtitle() {
    local in=$1 out=$2 stream=$3 text=$4
    printf '1\n00:00:00,500 --> 00:00:02,500\n%s\n' "$text" > "$work/sub$stream.srt"
    cat > "$work/sub$stream.xml" <<XML
<subpictures format="$VIDEO_FORMAT"><stream>
<textsub filename="$work/sub$stream.srt" characterset="UTF-8" fontsize="28.0" font="$font"
 horizontal-alignment="center" vertical-alignment="bottom" subtitle-fps="25"
 movie-fps="25" movie-width="720" movie-height="576"/>
</stream></subpictures>
XML
    spumux -s "$stream" "$work/sub$stream.xml" < "$in" > "$out" 2> "$work/spumux.log"
}

author() {
    local name=$1 xml=$2
    rm -rf "$work/$name"
    dvdauthor -o "$work/$name" -x "$xml" > "$work/dvdauthor.log" 2>&1
    rm -rf "${here:?}/$name"
    mkdir -p "$here/$name"
    cp "$work/$name/VIDEO_TS/"*.IFO "$here/$name/"
}

# 1. PAL, two audio streams, two subtitles, one minute and a second
make_mpeg "$work/a.mpg" pal 61 ac3:6 mp2:2
add_subtitle "$work/a.mpg" "$work/a1.mpg" 0 "Hello"
add_subtitle "$work/a1.mpg" "$work/a2.mpg" 1 "Hallo"
cat > "$work/a.xml" <<XML
<dvdauthor><vmgm/><titleset><titles>
<video format="pal" aspect="16:9" widescreen="nopanscan"/>
<audio lang="de"/><audio lang="en"/>
<subpicture lang="en"/><subpicture lang="de"/>
<pgc><vob file="$work/a2.mpg"/></pgc>
</titles></titleset></dvdauthor>
XML
author pal-two-audio "$work/a.xml"

# 2. NTSC, one audio without language, one subtitle
export VIDEO_FORMAT=NTSC
make_mpeg "$work/b.mpg" ntsc 5 ac3:2 mp2:1
add_subtitle "$work/b.mpg" "$work/b1.mpg" 0 "Merhaba"
cat > "$work/b.xml" <<XML
<dvdauthor><vmgm/><titleset><titles>
<video format="ntsc" aspect="4:3"/>
<audio lang="fr"/><audio channels="1"/>
<subpicture lang="tr"/>
<pgc><vob file="$work/b1.mpg"/></pgc>
</titles></titleset></dvdauthor>
XML
author ntsc-one-audio "$work/b.xml"

# 3. PAL, two title sets
export VIDEO_FORMAT=PAL
make_mpeg "$work/c.mpg" pal 5 ac3:2
make_mpeg "$work/d.mpg" pal 3 mp2:2
add_subtitle "$work/d.mpg" "$work/d1.mpg" 0 "Bonjour"
cat > "$work/c.xml" <<XML
<dvdauthor><vmgm/>
<titleset><titles><video format="pal" aspect="4:3"/><audio lang="en"/>
<pgc><vob file="$work/c.mpg"/></pgc></titles></titleset>
<titleset><titles><video format="pal" aspect="4:3"/><audio lang="it"/><subpicture lang="fr"/>
<pgc><vob file="$work/d1.mpg"/></pgc></titles></titleset>
</dvdauthor>
XML
author two-titlesets "$work/c.xml"

ls -l "$here"/*/
