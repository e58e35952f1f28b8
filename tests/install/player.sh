# Sourced by the install and package tests: a player who is not root, and one level played as that player.
# Switches to an unused user id with setpriv rather than adding an account, so nothing is left on the
# machine; the player's home is a folder inside the test's own temporary folder.

# pick_player_uid: the first id from 64000 up that no account and no file owner uses.
pick_player_uid() {
    local uid=64000
    while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null; do uid=$((uid + 1)); done
    echo "$uid"
}

# play_level_one UID HOME BINARY: wins level 1 headless as that user, with the XDG folders in HOME.
play_level_one() {
    local uid=$1 home=$2 binary=$3
    mkdir -p "$home"
    chown "$uid:$uid" "$home"
    chmod 700 "$home"
    setpriv --reuid="$uid" --regid="$uid" --clear-groups \
        env -i HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" PATH=/usr/bin:/bin \
        "$binary" --headless --fixed-step 40 --seed 1 --level 1 --autoplay --frames 6000 --log "$home/game.log"
}

# check_player_files HOME: the level was won, the career says level 2 is unlocked, the frames were unpacked.
check_player_files() {
    local home=$1 player=$1/.local/share/vorlaine
    grep -q "START LEVEL 2\.\." "$home/game.log" || { echo "level 1 was not won:"; tail -20 "$home/game.log"; return 1; }
    local size
    size=$(stat -c %s "$player/career.dat")
    [ "$size" -eq 64 ] || { echo "career.dat has $size bytes, not 64"; return 1; }
    # Byte 40: after the 4-byte length and 35 reserved bytes, level 1's flag, then level 2's.
    [ "$(od -An -tu1 -j40 -N1 "$player/career.dat" | tr -d ' ')" = 1 ] || { echo "level 2 is not unlocked"; return 1; }
    local n
    for creature in ant snow zombie gmean; do
        n=$(find "$player/graphics/$creature" -name "${creature}_*.tga" 2>/dev/null | wc -l)
        [ "$n" -gt 0 ] || { echo "the $creature frames were not unpacked into $player"; return 1; }
    done
    [ "$(stat -c %u "$player/career.dat")" = "$(stat -c %u "$home")" ] || { echo "career.dat belongs to someone else"; return 1; }
}
