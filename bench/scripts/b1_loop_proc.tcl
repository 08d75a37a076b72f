# The B1 loop inside a proc: local variables in compiled slots.
proc run {n} {
    set x 0
    for {set i 1} {$i <= $n} {incr i} {
        set x [expr {$x+$i*3}]
        set y [expr {$x-$i}]
    }
    return $x
}
puts [run [lindex $argv 0]]
