# Sourced by the tests that fix the clock. They preload libfaketime themselves rather than run the faketime command:
# that command keeps a semaphore and shared memory in /dev/shm named by its process id, which a killed run leaves
# behind and a later run given the same id then refuses to start over ("sem_open: File exists").

# Prints the path of libfaketime for this machine's architecture; fails where it is not installed.
fake_clock_library() {
    local triplet candidate
    triplet=$(gcc -print-multiarch 2>/dev/null || true)
    for candidate in ${triplet:+"/usr/lib/$triplet/faketime/libfaketime.so.1"} /usr/lib/*/faketime/libfaketime.so.1 \
        /usr/lib/faketime/libfaketime.so.1; do
        [[ -e $candidate ]] && { echo "$candidate"; return 0; }
    done
    return 1
}
