#!/usr/bin/env bash
# Lists what the translations lack, one line each: a source text with no
# translation or one marked unfinished, and a translation of a text the
# program no longer has. Exits 1 when there is any. Run it after
#   cmake --build build/dev --target update_translations
# which brings the .ts files up to date with the sources.
#
#   scripts/untranslated.sh [file.ts ...]      default: every translations/*.ts
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- translations/*.ts
perl -0777 -ne '
    sub text { my $t = shift; $t =~ s/&lt;/</g; $t =~ s/&gt;/>/g; $t =~ s/&quot;/"/g;
               $t =~ s/&apos;/\x27/g; $t =~ s/&amp;/&/g; $t }
    while (/<context>\s*<name>(.*?)<\/name>(.*?)<\/context>/sg) {
        my ($context, $messages) = ($1, $2);
        while ($messages =~ /<message[^>]*>(.*?)<\/message>/sg) {
            my $message = $1;
            my ($source) = $message =~ /<source>(.*?)<\/source>/s;
            my ($type, $translation) = $message =~ /<translation(?: type="(\w+)")?>(.*?)<\/translation>/s;
            my $why = !defined $type ? ($translation =~ /\S/ ? "" : "not translated")
                    : $type eq "unfinished" ? "not translated" : "no longer in the sources";
            next unless $why;
            print "$ARGV: $why: [$context] ", text($source), "\n";
            $found++;
        }
    }
    END { exit($found ? 1 : 0) }' "$@"
