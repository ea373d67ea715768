# Sourced by the robustness tests: `poke FILE AT COUNT VALUE` writes the
# COUNT bytes of the number VALUE at offset AT, little-endian; `poke_be`
# does the same big-endian (as MIDI files hold their numbers).
poke() { write_bytes "$1" "$2" "$(byte_string "$3" "$4" little)"; }
poke_be() { write_bytes "$1" "$2" "$(byte_string "$3" "$4" big)"; }

byte_string() {
    count=$1 value=$2 order=$3
    bytes=""
    i=0
    while [ "$i" -lt "$count" ]; do
        byte=$(printf '\\%03o' $((value % 256)))
        if [ "$order" = big ]; then bytes="$byte$bytes"; else bytes="$bytes$byte"; fi
        value=$((value / 256))
        i=$((i + 1))
    done
    printf '%s' "$bytes"
}

write_bytes() {
    # shellcheck disable=SC2059
    printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
