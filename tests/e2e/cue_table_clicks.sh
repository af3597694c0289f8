# Clicks on the cue window's table, for sessions and screenshots.
# The table is at (8, 36); its cells start 2 px in, below a 36 px heading, rows of 20 px; the
# fixed columns take 486 px and each strip 56 px. Rows and strip columns count from 0.
cell_x() { echo $((8 + 2 + 486 + 56 * $1 + 28)); }
cell_y() { echo $((36 + 2 + 36 + 20 * $1 + 10)); }

# click_cell <window> <row> <strip column> [modifier]: a click, with Ctrl or Shift held.
click_cell() {
    xdotool mousemove --window "$1" "$(cell_x "$3")" "$(cell_y "$2")"
    if [ -n "${4:-}" ]; then
        xdotool keydown "$4" click 1 keyup "$4"
    else
        xdotool click 1
    fi
}

# click_heading <window> <strip column>: chooses the plotted strip.
click_heading() { xdotool mousemove --window "$1" "$(cell_x "$2")" 56 click 1; }
