func drain(ch <-chan int, limit int) (sum int) {
    for v := range ch {
        if v < 0 || v >= limit { continue }
        sum += v % 10
        if sum > 1000 && limit != 0 {
            return sum - 1
        }
    }
    return 0
}
