# The installed tree, shared by the tests of the install and of the package.

program_dir=lib/halvex-programmer

# Every file and link of the installed tree, relative to the prefix, sorted.
# WIZARD_ART: the build's folder of the wizard's pictures, or empty when the
# build has no wizard database.
expected_layout()
{
    local wizard_art=$1 side picture
    {
        echo bin/HalvexProgrammer
        echo "$program_dir/HalvexProgrammer"
        echo "$program_dir/halvex-txguard"
        echo "$program_dir/libModem.so"
        echo "$program_dir/Modem.mdb"
        if [ -n "$wizard_art" ]; then
            echo "$program_dir/Wizard.mdb"
            for picture in "$wizard_art"/*; do
                echo "$program_dir/$(basename "$wizard_art")/$(basename "$picture")"
            done
        fi
        echo share/applications/halvex-programmer.desktop
        for side in 16 24 32 48 64 128 256; do
            echo "share/icons/hicolor/${side}x${side}/apps/halvex-programmer.png"
        done
        echo share/doc/halvex-programmer/README.md
        echo share/doc/halvex-programmer/docs/mainform.png
    } | LC_ALL=C sort
}

# The files and links under a folder, relative to it, sorted.
actual_layout()
{
    (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
}

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}
