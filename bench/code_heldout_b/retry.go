func backoff(attempt int) time.Duration {
    if attempt <= 0 || attempt > 10 {
        return 250 * time.Millisecond
    }
    d := time.Duration(1<<attempt) * 100 * time.Millisecond
    for d >= maxWait && attempt != 0 {
        d -= 75 * time.Millisecond
        attempt--
    }
    return d
}
