# The B2 string loop at the top level; comparisons ignore case as the script
# commands do by default.
set count [lindex $argv 0]
set t "The quick brown fox jumps over the lazy dog near the river bank. A second fox watches from the hill while the lazy dog sleeps. Every fox in the wood knows the lazy dog and the old river bank well. Ok."
for {set i 1} {$i <= $count} {incr i} {
    set r [string map -nocase {fox cat} $t]
    set s [string range $r 19 58]
    set n [string length $r]
    set p [expr {[string first [string toupper lazy] [string toupper $r]] + 1}]
}
puts "$n $p $s"
