# The B3 reader: every line of the file in order, at the top level.
set count [lindex $argv 0]
set f [open [lindex $argv 1]]
for {set i 1} {$i <= $count} {incr i} {
    gets $f l
}
close $f
puts $l
