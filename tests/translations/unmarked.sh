#!/usr/bin/env bash
# Every Japanese text in the sources is marked for translation (NERILO_TEXT,
# tr, QT_TR_NOOP, QCoreApplication::translate), so lupdate finds it and the
# translation test can ask for its English; a text that is not is invisible to
# both. Texts that stay as they are in every language are listed in
# tests/translations/untranslated.txt, one a line.
# usage: unmarked.sh SOURCE_DIR ALLOWED_LIST
set -euo pipefail
export LC_ALL=C.UTF-8
src=$1 allowed=$2
japanese='[\x{3000}-\x{30FF}\x{4E00}-\x{9FFF}\x{FF00}-\x{FFEF}]'
literal='"(?:[^"\\]|\\.)*'"$japanese"'(?:[^"\\]|\\.)*"'
marker='NERILO_TEXT\(|\btr\(|QT_TR_NOOP\(|QT_TRANSLATE_NOOP\(|translate\('
found=0
while IFS=: read -r file number text; do
    code=$(sed -E 's#(^|[[:space:]])//.*$##' <<<"$text")  # a comment starts at a blank and //
    while read -r quoted; do
        [ -z "$quoted" ] && continue
        grep -qxF -- "${quoted:1:-1}" "$allowed" && continue
        grep -qP "$marker" <<<"$code" && continue
        # The second line of a text split over two lines: the call is on the line before.
        if grep -qP '^\s*"' <<<"$code" && sed -n "$((number - 1))p" "$file" | grep -qP "$marker"; then continue; fi
        echo "${file#"$src"/}:$number: $quoted"
        found=1
    done < <(grep -oP "$literal" <<<"$code" || true)
done < <(grep -rnP --include='*.cpp' --include='*.h' "$japanese" "$src")
if [ $found -ne 0 ]; then
    echo "These Japanese texts are not marked for translation: wrap them in tr() or NERILO_TEXT(), or list"
    echo "the ones that stay as they are in tests/translations/untranslated.txt."
    exit 1
fi
