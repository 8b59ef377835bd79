# Starts the editor with a copy of the sample on its command line, deletes the
# fourth stroke, takes the delete back with Ctrl+Z, saves, quits and checks the
# saved file against the sample byte for byte. Saving writes today's date into
# the creation line, so that line alone is left out of the comparison; the
# check that it is today's shows the file was written again.
FILE=$(sample_copy undo)
start_app "$FILE"
MAIN=$(wait_window "^Quillmark - $FILE\$" "the main window showing the file from the command line")

keys "$MAIN" Down Down Down Delete
confirm_message "the delete question"
keys "$MAIN" ctrl+z
save_and_quit

TODAY="{\\\\creatim\\\\yr$(date +%Y)\\\\mo$(date +%-m)\\\\da$(date +%-d)}"
grep -q "^$TODAY" "$FILE" || fail "the file was not saved again (no creation line of today)"
cmp <(grep -v '^{\\creatim' "$SAMPLE") <(grep -v '^{\\creatim' "$FILE") ||
  fail "after delete and undo the saved file is not the sample"
echo "e2e: ok: opened from the command line, deleted stroke 4, undid it, saved the sample's bytes again"
